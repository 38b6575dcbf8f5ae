#include "base/widgets/plain_text.h"

#include <QLabel>
#include <QTextDocument>

namespace tolvane {

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

QLabel* plainLabel(QWidget* parent) { return plainLabel(QString(), parent); }

QString plainToolTip(const QString& text) {
    // Text Qt would take for markup is escaped inside a paragraph that is
    // rich text by its own tag; anything else stays as it is.
    if (!Qt::mightBeRichText(text)) return text;
    return QStringLiteral("<p style=\"white-space:pre\">") + text.toHtmlEscaped() +
           QStringLiteral("</p>");
}

}  // namespace tolvane
