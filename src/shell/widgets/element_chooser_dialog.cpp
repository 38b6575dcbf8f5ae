#include "shell/widgets/element_chooser_dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCursor>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QIconEngine>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "shell/element_catalogue.h"
#include "help/help_topics.h"
#include "base/widgets/plain_text.h"

namespace tolvane {

namespace {

constexpr int kGlyph = 40;

// The element picture at button size; the caption (SB16's "CI") is drawn
// into its lower right corner so that every button keeps the same size.
QIcon glyph(const QString& directory, ElementKind kind, const QString& caption, const QFont& font) {
    QPixmap picture(
        QDir(directory).filePath(QString::number(pictureNumber(kind)) + QStringLiteral(".bmp")));
    QPixmap icon(kGlyph, kGlyph);
    icon.fill(Qt::white);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!picture.isNull())
        painter.drawPixmap(icon.rect(), picture.scaled(icon.size(), Qt::KeepAspectRatio,
                                                       Qt::SmoothTransformation));
    if (!caption.isEmpty()) {
        QFont bold = font;
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(Qt::black);
        painter.drawText(icon.rect().adjusted(0, 0, -1, 0), Qt::AlignRight | Qt::AlignBottom,
                         caption);
    }
    painter.end();
    return QIcon(icon);
}

// A kind's button picture, read and drawn when it is first painted: the
// chooser is created behind the splash screen but its 46 pictures are only
// needed once it opens.
class GlyphEngine : public QIconEngine {
public:
    GlyphEngine(QString directory, ElementKind kind, QString caption, QFont font)
        : directory_(std::move(directory)), kind_(kind), caption_(std::move(caption)),
          font_(std::move(font)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        drawn().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return drawn().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return drawn().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return drawn().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return drawn().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new GlyphEngine(*this); }

private:
    const QIcon& drawn() {
        if (icon_.isNull()) icon_ = glyph(directory_, kind_, caption_, font_);
        return icon_;
    }

    QString directory_;
    ElementKind kind_;
    QString caption_;
    QFont font_;
    QIcon icon_;
};

}  // namespace

TBtnBottomDlg::TBtnBottomDlg(const QString& pictureDirectory, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BtnBottomDlg"));
    setWindowTitle(QStringLiteral("Select pipe element"));

    group_ = new QButtonGroup(this);
    group_->setExclusive(true);

    // Groups 1-5 on the left, 6-10 on the right, each heading over its row.
    auto* columns = new QHBoxLayout;
    QVBoxLayout* column = nullptr;
    int currentGroup = 0;
    QHBoxLayout* row = nullptr;
    for (const KindSpec& spec : elementKinds()) {
        if (spec.kind.group != currentGroup) {
            currentGroup = spec.kind.group;
            if (currentGroup == 1 || currentGroup == 6) {
                column = new QVBoxLayout;
                column->setSpacing(2);
                columns->addLayout(column);
            }
            auto* heading = plainLabel(QString::fromStdString(groupName(currentGroup)), this);
            heading->setObjectName(QStringLiteral("Gruppe") + QString::number(currentGroup));
            if (column->count() > 0) column->addSpacing(6);
            column->addWidget(heading);
            row = new QHBoxLayout;
            row->setSpacing(2);
            column->addLayout(row);
        }
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromStdString(spec.button));
        b->setCheckable(true);
        b->setAutoRaise(false);
        b->setToolTip(QString::fromStdString(spec.hint));
        // F1 on a kind's button: the page of that kind.
        b->setProperty(kHelpTopicProperty,
                       QString::fromStdString(helpTopicForElement(spec.variantName).target()));
        const QString caption = spec.button == "SB16" ? QStringLiteral("CI") : QString();
        b->setText(caption);
        b->setIcon(QIcon(new GlyphEngine(pictureDirectory, spec.kind, caption, font())));
        b->setIconSize(QSize(kGlyph, kGlyph));
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        b->setFixedSize(kGlyph + 8, kGlyph + 8);
        b->installEventFilter(this);
        group_->addButton(b, static_cast<int>(buttons_.size()));
        buttons_.push_back(b);
        kinds_.push_back(spec.kind);
        row->addWidget(b);
    }
    for (QLayout* l : {columns->itemAt(0)->layout(), columns->itemAt(1)->layout()})
        static_cast<QVBoxLayout*>(l)->addStretch();
    // Rows of a column line up on the left.
    for (int c = 0; c < columns->count(); ++c) {
        auto* col = columns->itemAt(c)->layout();
        for (int i = 0; i < col->count(); ++i)
            if (auto* r = qobject_cast<QHBoxLayout*>(col->itemAt(i)->layout())) r->addStretch();
    }
    columns->setSpacing(24);

    // The pressed kind must stand out although its picture fills the button.
    setStyleSheet(QStringLiteral(
        "QToolButton { border: 1px solid palette(mid); border-radius: 2px; background: white; "
        "padding: 1px; }"
        "QToolButton:hover { border: 1px solid palette(highlight); }"
        "QToolButton:checked { border: 3px solid palette(highlight); padding: 0px; }"));

    auto* box = new QDialogButtonBox(this);
    OKBtn = box->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = box->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(box);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setSelectedKind(pairOf(Kind::CircularPipe));
    connect(group_, &QButtonGroup::buttonClicked, this,
            [this](QAbstractButton* b) { lastClicked_ = qobject_cast<QToolButton*>(b); });
}

ElementKind TBtnBottomDlg::selectedKind() const {
    const int id = group_->checkedId();
    return id >= 0 ? kinds_[static_cast<std::size_t>(id)] : pairOf(Kind::CircularPipe);
}

void TBtnBottomDlg::setSelectedKind(ElementKind kind) {
    if (QToolButton* b = button(kind)) b->setChecked(true);
}

QToolButton* TBtnBottomDlg::button(ElementKind kind) const {
    for (std::size_t i = 0; i < kinds_.size(); ++i)
        if (kinds_[i] == kind) return buttons_[i];
    return nullptr;
}

QWidget* TBtnBottomDlg::helpSubject() const {
    // Tool buttons take no focus from a click, so the focus may stand on a
    // kind the user never pointed at.
    for (QWidget* w = QApplication::widgetAt(QCursor::pos()); w; w = w->parentWidget())
        if (auto* b = qobject_cast<QToolButton*>(w); b && group_->id(b) >= 0) return b;
    return lastClicked_;
}

void TBtnBottomDlg::showEvent(QShowEvent* event) {
    lastClicked_ = nullptr;
    QDialog::showEvent(event);
}

bool TBtnBottomDlg::eventFilter(QObject* watched, QEvent* event) {
    // A double-click on a kind's button chooses it at once.
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (auto* b = qobject_cast<QToolButton*>(watched); b && group_->id(b) >= 0) {
            b->setChecked(true);
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tolvane
