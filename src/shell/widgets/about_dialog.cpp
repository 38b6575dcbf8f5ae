#include "shell/widgets/about_dialog.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "shell/about_facts.h"
#include "base/widgets/plain_text.h"

namespace tolvane {

namespace {

QLabel* textLabel(const char* name, const std::string& text, QWidget* parent) {
    auto* label = plainLabel(QString::fromStdString(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    return label;
}

}  // namespace

QPixmap programIcon(int size) {
    const qreal scale = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(size, size) * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QSvgRenderer svg(QStringLiteral(":/tolvane.svg"));
    QPainter painter(&pixmap);
    svg.render(&painter, QRectF(0, 0, size, size));
    return pixmap;
}

TueberBox::TueberBox(const std::string& sourcesFilePath, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    const AboutFacts facts = aboutFacts(qVersion(), sourcesFilePath);
    setObjectName(QStringLiteral("TueberBox"));
    setWindowTitle(QString::fromStdString(facts.caption));
    setModal(true);

    ProgramIcon = plainLabel(this);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setPixmap(programIcon(96));
    ProgramIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    ProgramName = textLabel("ProgramName", facts.programName, this);
    QFont big = ProgramName->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    ProgramName->setFont(big);
    Version = textLabel("Version", facts.version, this);
    auto* purpose = plainLabel(QStringLiteral("Pressure drop of pipelines"), this);
    Licence = textLabel("Licence", facts.licence, this);
    SourcesIntro = textLabel("SourcesIntro", facts.sourcesIntro, this);
    DataSources = textLabel("DataSources", dataSourcesText(facts), this);
    DataSources->setIndent(16);
    QtVersion = textLabel("QtVersion", facts.qtVersion, this);

    auto* buttons = new QDialogButtonBox(this);
    OKBtn = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(ProgramName);
    texts->addWidget(Version);
    texts->addWidget(purpose);
    texts->addSpacing(10);
    texts->addWidget(Licence);
    texts->addSpacing(10);
    texts->addWidget(SourcesIntro);
    texts->addWidget(DataSources);
    texts->addSpacing(10);
    texts->addWidget(QtVersion);

    auto* body = new QHBoxLayout;
    body->addWidget(ProgramIcon, 0, Qt::AlignTop);
    body->addSpacing(12);
    body->addLayout(texts, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttons);
    setMinimumWidth(520);
}

}  // namespace tolvane
