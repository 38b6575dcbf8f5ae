#include "results/widgets/column_width_dialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/integer_text.h"

namespace tolvane {

TZellbreiteDlg::TZellbreiteDlg(MessageSink& messages, QWidget* parent)
    : QDialog(parent), messages_(messages) {
    setObjectName("TZellbreiteDlg");
    setWindowTitle("Change Column Width");

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setMaxLength(10);

    auto* ok = new QPushButton("&OK", this);
    ok->setObjectName("OKBtn");
    ok->setDefault(true);
    auto* standard = new QPushButton("&Standard", this);
    standard->setObjectName("StandardBtn");
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("CancelBtn");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(standard);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Edit1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, &TZellbreiteDlg::OKBtnClick);
    connect(standard, &QPushButton::clicked, this, &TZellbreiteDlg::StandardBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TZellbreiteDlg::showEvent(QShowEvent* event) {
    choice_ = Choice::Cancel;
    Edit1->setText(QString::number(shownWidth_));
    Edit1->selectAll();
    Edit1->setFocus();
    QDialog::showEvent(event);
}

void TZellbreiteDlg::OKBtnClick() {
    std::string text = Edit1->text().toStdString();
    std::optional<int> width = readInteger(text, {IntegerBlanks::Leading});
    if (!width) {
        messages_.show(MessageType::Error, "'" + text + "' is not a valid integer value.");
        Edit1->setFocus();
        return;
    }
    if (*width < 1 || *width > kMaximumWidth) {
        messages_.show(MessageType::Error, "The column width must be between 1 and " +
                                               std::to_string(kMaximumWidth) + ".");
        Edit1->setFocus();
        return;
    }
    chosenWidth_ = *width;
    choice_ = Choice::Ok;
    accept();
}

void TZellbreiteDlg::StandardBtnClick() {
    chosenWidth_ = kStandardWidth;
    choice_ = Choice::Standard;
    accept();
}

}  // namespace tolvane
