#include "cards/preview_window.h"

#include "cards/painter_surface.h"
#include "ui/window_layout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <algorithm>

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kTwipsPerInch = 1440;
constexpr double kFirstDotsPerInch = 96;
constexpr double kFewestDotsPerInch = 24;
constexpr double kMostDotsPerInch = 768;

} // namespace

namespace cards {

QImage previewPage(const PrinterDescription& printer, const Drawing& card, double dotsPerInch)
{
    const double dotsPerMillimetre = dotsPerInch / kMillimetresPerInch;
    const QSizeF paper = printer.paperMillimetres * dotsPerMillimetre;
    QImage page(paper.toSize(), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    const QMarginsF margins = printer.marginsMillimetres * dotsPerMillimetre;
    painter.setPen(QPen(Qt::gray, 0, Qt::DashLine));
    painter.drawRect(QRectF(QPointF(), paper).marginsRemoved(margins));
    // From the printable area's top-left, one unit a twip, as the printer has it.
    painter.translate(margins.left(), margins.top());
    painter.scale(dotsPerInch / kTwipsPerInch, dotsPerInch / kTwipsPerInch);
    paintDrawing(painter, card);
    return page;
}

} // namespace cards

frmPreview::frmPreview(cards::CardPreview preview, const QString& title, QWidget* parent)
    : QDialog(parent)
    , m_preview(std::move(preview))
    , m_dotsPerInch(kFirstDotsPerInch)
{
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(QStringLiteral("%1 - プレビュー").arg(title));
    setModal(true);

    const cards::PrinterDescription& printer = m_preview.printer;
    auto* label1 = new QLabel(QStringLiteral("カード %1 枚　プリンタ %2　用紙 %3")
                                  .arg(QString::number(m_preview.cards.size()), printer.name, printer.paper),
        this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto* picture1 = new QScrollArea(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    auto* pages = new QWidget(picture1);
    m_pages = new QVBoxLayout(pages);
    picture1->setWidget(pages);
    picture1->setWidgetResizable(true);

    const auto button = [this](const char* name, const QString& caption) {
        auto* made = new QPushButton(caption, this);
        made->setObjectName(QString::fromLatin1(name));
        made->setAutoDefault(false);
        return made;
    };
    auto* zoomOut = button("cmdZoomOut", QStringLiteral("縮小"));
    auto* zoomIn = button("cmdZoomIn", QStringLiteral("拡大"));
    auto* print = button("cmdPrint", QStringLiteral("印刷"));
    auto* close = button("cmdClose", QStringLiteral("閉じる"));
    // Enter closes; a card is printed only by asking for it.
    close->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(zoomOut);
    buttons->addWidget(zoomIn);
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addWidget(picture1, 1);
    layout->addLayout(buttons);
    ui::setTabOrder({picture1, zoomOut, zoomIn, print, close});
    resize(ui::pixelSize(13500, 10800));

    connect(zoomOut, &QPushButton::clicked, this, [this] { zoom(0.5); });
    connect(zoomIn, &QPushButton::clicked, this, [this] { zoom(2); });
    connect(print, &QPushButton::clicked, this, [this] { done(kPrint); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    showPages();
}

void frmPreview::zoom(double factor)
{
    m_dotsPerInch = std::clamp(m_dotsPerInch * factor, kFewestDotsPerInch, kMostDotsPerInch);
    showPages();
}

void frmPreview::showPages()
{
    while (QLayoutItem* item = m_pages->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (qsizetype card = 0; card < m_preview.cards.size(); ++card) {
        auto* caption = new QLabel(QStringLiteral("%1 枚目").arg(card + 1));
        auto* page = new QLabel;
        page->setObjectName(QStringLiteral("Page%1").arg(card + 1));
        page->setPixmap(QPixmap::fromImage(
            cards::previewPage(m_preview.printer, m_preview.cards.at(card), m_dotsPerInch)));
        m_pages->addWidget(caption);
        m_pages->addWidget(page);
    }
    m_pages->addStretch();
}
