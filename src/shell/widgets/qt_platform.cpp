#include "shell/widgets/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QRegularExpression>
#include <QMessageBox>
#include <QStringList>

namespace tolvane {

QString displayText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

QString qtFileFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString pattern = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
        if (description.isEmpty() && pattern.isEmpty()) continue;
        // Qt takes the patterns from the parentheses of the description.
        if (!pattern.isEmpty() && !description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (") +
                           QString(pattern).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                           QLatin1Char(')');
        filters << description;
    }
    return filters.join(QStringLiteral(";;"));
}

namespace {

QWidget* dialogParent() { return QApplication::activeWindow(); }

QMessageBox::StandardButton toQt(Answer a) {
    switch (a) {
        case Answer::Yes: return QMessageBox::Yes;
        case Answer::No: return QMessageBox::No;
        case Answer::Cancel: return QMessageBox::Cancel;
    }
    return QMessageBox::NoButton;
}

// Messages name files, media and data texts: never read as markup.
void showPlain(QMessageBox& box, const std::string& text) {
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(text));
}

std::optional<std::string> chosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace

void QtMessageSink::show(MessageType type, const std::string& text) {
    QMessageBox::Icon icon = QMessageBox::Critical;
    QString title = QStringLiteral("Error");
    if (type == MessageType::Warning) {
        icon = QMessageBox::Warning;
        title = QStringLiteral("Warning");
    } else if (type == MessageType::Information) {
        icon = QMessageBox::Information;
        title = QStringLiteral("Information");
    }
    QMessageBox box(icon, title, QString(), QMessageBox::Ok, dialogParent());
    showPlain(box, text);
    box.exec();
}

Answer QtMessageSink::ask(const std::string& title, const std::string& text,
                          QuestionButtons buttons, Answer defaultButton) {
    QMessageBox::StandardButtons qtButtons = QMessageBox::Yes | QMessageBox::No;
    if (buttons == QuestionButtons::YesNoCancel) qtButtons |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title), QString(), qtButtons,
                    dialogParent());
    showPlain(box, text);
    box.setDefaultButton(toQt(defaultButton));
    if (buttons == QuestionButtons::YesNo) box.setEscapeButton(QMessageBox::No);
    switch (box.exec()) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        default: return buttons == QuestionButtons::YesNo ? Answer::No : Answer::Cancel;
    }
}

bool QtClipboard::hasText() const { return !QGuiApplication::clipboard()->text().isEmpty(); }

std::string QtClipboard::text() const { return QGuiApplication::clipboard()->text().toStdString(); }

void QtClipboard::setText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

std::optional<std::string> QtFileDialogs::openFile(const std::string& filter,
                                                   const std::string& defaultExtension) {
    QFileDialog dialog(dialogParent());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (startFolder) dialog.setDirectory(QString::fromStdString(startFolder()));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(qtFileFilter(filter));
    dialog.setDefaultSuffix(QString::fromStdString(defaultExtension).toLower());
    return chosenFile(dialog);
}

std::optional<std::string> QtFileDialogs::saveFile(const std::string& filter,
                                                   const std::string& defaultExtension,
                                                   const std::string& suggestedName) {
    QFileDialog dialog(dialogParent());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (startFolder) dialog.setDirectory(QString::fromStdString(startFolder()));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(qtFileFilter(filter));
    // Names are matched case-sensitively here: "plant" becomes "plant.tlv",
    // which the "*.tlv" filter lists again.
    dialog.setDefaultSuffix(QString::fromStdString(defaultExtension).toLower());
    if (!suggestedName.empty()) dialog.selectFile(QString::fromStdString(suggestedName));
    // Where several kinds of file are offered, a name typed without an
    // extension takes the one of the kind chosen (Qt itself swaps an
    // extension already typed).
    if (filter.find('|') != filter.rfind('|'))
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
            const QRegularExpressionMatch m =
                QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(f);
            if (m.hasMatch()) dialog.setDefaultSuffix(m.captured(1));
        });
    return chosenFile(dialog);
}

}  // namespace tolvane
