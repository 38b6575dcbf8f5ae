#include "shell/widgets/element_panel_widget.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/element_panel.h"
#include "base/widgets/plain_text.h"
#include "shell/element_catalogue.h"
#include "shell/pipe_size_hand_back.h"
#include "shell/widgets/widget_text.h"

namespace tolvane {

namespace {

void keepPlaceWhenHidden(QWidget* w) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
}

QString numbered(const char* stem, int n, const char* tail = "") {
    return QString::fromLatin1(stem) + QString::number(n) + QString::fromLatin1(tail);
}

// Widest text the panel can ever show in a label of this font.
// Most kinds share their labels, so each text is measured once.
int widestText(const QWidget* w, std::vector<std::string> texts) {
    std::sort(texts.begin(), texts.end());
    texts.erase(std::unique(texts.begin(), texts.end()), texts.end());
    int width = 0;
    for (const std::string& t : texts)
        width = std::max(width, w->fontMetrics().horizontalAdvance(QString::fromStdString(t)));
    return width;
}

}  // namespace

ElementPanelWidget::ElementPanelWidget(QWidget* parent)
    : QGroupBox(QStringLiteral("Element of pipe"), parent) {
    setObjectName(QStringLiteral("Element_Fenster"));

    std::vector<std::string> labels{"Quantity of elements:"}, names, captions, items;
    for (const KindSpec& spec : elementKinds()) {
        for (const RowSpec& row : spec.rows) labels.push_back(row.label);
        names.push_back(elementName(spec.kind));
        captions.push_back(spec.optionCaption);
        items.insert(items.end(), spec.optionItems.begin(), spec.optionItems.end());
    }

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);

    Statisch_Element_Name = plainLabel(this);
    Statisch_Element_Name->setObjectName(QStringLiteral("Statisch_Element_Name"));
    QFont bold = Statisch_Element_Name->font();
    bold.setBold(true);
    Statisch_Element_Name->setFont(bold);
    grid->addWidget(Statisch_Element_Name, 0, 0, 1, 4);

    for (int r = 0; r < 4; ++r) {
        QLabel*& label = VaStatic[static_cast<std::size_t>(r)];
        QLineEdit*& edit = VaEdit[static_cast<std::size_t>(r)];
        edit = new QLineEdit(this);
        edit->setObjectName(numbered("Va", r + 1, "_Edit"));
        limitLength(edit, kElementValueLength);
        edit->setFixedWidth(fieldWidth(edit, kElementValueLength));
        label = plainLabel(this);
        label->setObjectName(numbered("Va", r + 1, "_Static"));
        label->setBuddy(edit);
        QToolButton*& sizes = PipeSizeBtn[static_cast<std::size_t>(r)];
        sizes = new QToolButton(this);
        sizes->setObjectName(numbered("PipeSizeBtn", r + 1));
        sizes->setText(QStringLiteral("..."));
        sizes->setToolTip(QStringLiteral("Pipe sizes: take a standard inner diameter"));
        sizes->setFocusPolicy(Qt::TabFocus);
        sizes->setFixedHeight(edit->sizeHint().height());
        sizes->hide();
        connect(sizes, &QToolButton::clicked, this, [this, r] { Q_EMIT pipeSizesRequested(r); });
        auto* field = new QHBoxLayout;
        field->setSpacing(2);
        field->addWidget(edit);
        field->addWidget(sizes);
        grid->addWidget(label, r + 1, 0);
        grid->addLayout(field, r + 1, 1);
        keepPlaceWhenHidden(label);
        keepPlaceWhenHidden(edit);
        keepPlaceWhenHidden(sizes);
        if (r < 3) {
            QComboBox*& box = ComboVar[static_cast<std::size_t>(r)];
            box = new QComboBox(this);
            box->setObjectName(numbered("ComboVar", r + 1));
            std::vector<std::string> units;
            for (RowUnit u : {RowUnit::MM, RowUnit::M, RowUnit::Area})
                for (const std::string& name : unitNames(u)) units.push_back(name);
            fitWidthTo(box, {units});
            keepPlaceWhenHidden(box);
            grid->addWidget(box, r + 1, 2, Qt::AlignLeft);
        }
        if (r == 1 || r == 2) {
            QLabel*& fixed = LabelVar[static_cast<std::size_t>(r)];
            fixed = plainLabel(this);
            fixed->setObjectName(numbered("LabelVar", r + 1));
            fixed->hide();
            grid->addWidget(fixed, r + 1, 2, Qt::AlignLeft);
        }
    }
    VaStatic[0]->setMinimumWidth(widestText(VaStatic[0], labels));

    Va5_Edit = new QLineEdit(this);
    Va5_Edit->setObjectName(QLatin1String(field::Va5));
    limitLength(Va5_Edit, 3);
    Va5_Edit->setFixedWidth(fieldWidth(Va5_Edit, 3));
    Va5_Titel = plainLabel(QStringLiteral("Quantity of elements:"), this);
    Va5_Titel->setObjectName(QStringLiteral("Va5_Titel"));
    Va5_Titel->setBuddy(Va5_Edit);
    grid->addWidget(Va5_Titel, 5, 0);
    grid->addWidget(Va5_Edit, 5, 1);
    quantityPalette_ = Va5_Edit->palette();
    connect(Va5_Edit, &QLineEdit::textChanged, this, &ElementPanelWidget::markQuantity);

    RadioGroup1 = new QGroupBox(this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    auto* options = new QVBoxLayout(RadioGroup1);
    for (int i = 0; i < 2; ++i) {
        auto* item = new QRadioButton(RadioGroup1);
        item->setObjectName(numbered("RadioGroup1_Item", i));
        options->addWidget(item);
        optionItems[static_cast<std::size_t>(i)] = item;
    }
    optionItems[0]->setChecked(true);
    // Room for the longest caption and items of any kind.
    RadioGroup1->setTitle(QStringLiteral("X"));
    optionItems[0]->setText(QStringLiteral("X"));
    optionItems[1]->setText(QStringLiteral("X"));
    RadioGroup1->setFixedSize(
        std::max(widestText(RadioGroup1, captions), widestText(RadioGroup1, items) + 30) + 16,
        RadioGroup1->sizeHint().height());
    keepPlaceWhenHidden(RadioGroup1);
    grid->addWidget(RadioGroup1, 1, 3, 5, 1, Qt::AlignLeft | Qt::AlignTop);

    Image1 = plainLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(105, 105);
    Image1->setAlignment(Qt::AlignCenter);
    grid->addWidget(Image1, 0, 4, 6, 1, Qt::AlignTop | Qt::AlignRight);

    Statisch_Element_Name->setMinimumWidth(widestText(Statisch_Element_Name, names));
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(6, 1);

    pictureDirectory_ = QDir::currentPath();
}

void ElementPanelWidget::setPictureDirectory(const QString& directory) {
    pictureDirectory_ = directory;
    shownPicture_ = 0;
}

void ElementPanelWidget::showPicture(int number) {
    if (number == shownPicture_) return;
    shownPicture_ = number;
    // A missing picture shows none; the rows are laid out all the same.
    QPixmap picture(
        QDir(pictureDirectory_).filePath(QString::number(number) + QStringLiteral(".bmp")));
    if (picture.isNull())
        Image1->clear();
    else
        Image1->setPixmap(
            picture.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void ElementPanelWidget::showPanel(const ElementPanel& element) {
    setText(Statisch_Element_Name, element.elementName);
    showPicture(element.pictureNumber);
    for (std::size_t r = 0; r < 4; ++r) {
        const ElementRow& row = element.rows[r];
        const bool shown = r == 0 || row.fieldVisible;
        setText(VaStatic[r], row.label);
        setText(VaEdit[r], row.text);
        VaStatic[r]->setVisible(shown);
        VaEdit[r]->setVisible(shown);
        PipeSizeBtn[r]->setVisible(shown && isPipeDiameterRow(row));
        if (r < 3) {
            setItems(ComboVar[r], row.unit.items, row.unit.index);
            ComboVar[r]->setVisible(shown && row.unit.visible);
        }
        if (r < 3 && LabelVar[r]) {
            setText(LabelVar[r], row.fixedUnit);
            LabelVar[r]->setVisible(shown && row.fixedUnitVisible);
        }
    }
    setText(Va5_Edit, element.quantity);

    const OptionGroup& option = element.option;
    RadioGroup1->setTitle(QString::fromStdString(option.caption));
    for (std::size_t i = 0; i < 2; ++i)
        optionItems[i]->setText(QString::fromStdString(option.items[i]));
    optionItems[option.selected == 1 ? 1 : 0]->setChecked(true);
    RadioGroup1->setVisible(option.visible);
}

// A background, not a text style: the field's text stays plain.
void ElementPanelWidget::markQuantity() {
    QPalette palette = quantityPalette_;
    if (quantityStandsOut(Va5_Edit->text().toStdString()))
        palette.setColor(QPalette::Base, QColor(255, 226, 120));
    Va5_Edit->setPalette(palette);
}

void ElementPanelWidget::readPanel(ElementPanel& element) const {
    for (std::size_t r = 0; r < 4; ++r) {
        element.rows[r].text = VaEdit[r]->text().toStdString();
        if (r < 3) element.rows[r].unit.index = ComboVar[r]->currentIndex();
    }
    element.quantity = Va5_Edit->text().toStdString();
    element.option.selected = optionItems[1]->isChecked() ? 1 : 0;
}

}  // namespace tolvane
