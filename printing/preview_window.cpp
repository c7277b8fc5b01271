#include "printing/preview_window.h"

#include "core/units.h"
#include "printing/painter_surface.h"
#include "ui/window_layout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QtMath>
#include <algorithm>
#include <limits>

namespace {

constexpr double kFirstDotsPerInch = 96;
constexpr double kFewestDotsPerInch = 24;
constexpr double kMostDotsPerInch = 768;
// What the arrow keys and the scroll bars' arrows move the pages by, as in Qt's own scroll area.
constexpr int kScrollStep = 20;

// The caption over the page of a card, counted from 0.
QString caption(qint64 card)
{
    return QStringLiteral("%1 枚目").arg(card + 1);
}

// The printable area's edge, a dashed line through these pixels, drawn dash by dash where it is being
// drawn: every dash lies where it lies on the whole page, however little of the page is drawn at a time
// (a dashed line of Qt's begins its dashes afresh where the part being drawn cuts it off).
void paintDashedEdge(QPainter& painter, const QRect& edge)
{
    constexpr int kDash = 4;
    constexpr int kPeriod = kDash + 2;
    const QRect drawn = painter.clipBoundingRect().toAlignedRect();
    const QColor colour(Qt::gray);
    const int firstX = edge.left() + std::max(0, drawn.left() - edge.left()) / kPeriod * kPeriod;
    for (int x = firstX; x <= std::min(edge.right(), drawn.right()); x += kPeriod) {
        const int length = std::min(kDash, edge.right() + 1 - x);
        painter.fillRect(QRect(x, edge.top(), length, 1), colour);
        painter.fillRect(QRect(x, edge.bottom(), length, 1), colour);
    }
    const int firstY = edge.top() + std::max(0, drawn.top() - edge.top()) / kPeriod * kPeriod;
    for (int y = firstY; y <= std::min(edge.bottom(), drawn.bottom()); y += kPeriod) {
        const int length = std::min(kDash, edge.bottom() + 1 - y);
        painter.fillRect(QRect(edge.left(), y, 1, length), colour);
        painter.fillRect(QRect(edge.right(), y, 1, length), colour);
    }
}

// A length on the column of pages as a scroll bar can hold it.
int scrollable(qint64 length)
{
    return static_cast<int>(std::min<qint64>(length, std::numeric_limits<int>::max()));
}

// The size of a card's page as the preview shows it, at the resolution given.
QSize previewPageSize(const seams::PrinterDescription& printer, double dotsPerInch)
{
    return (printer.paperMillimetres * dotsPerInch / core::kMillimetresPerInch).toSize();
}

// The page of a card as the preview shows it, its top-left at the painter's origin, at the resolution
// given: the paper, the printable area's edge, and the drawing from the printable area's top-left.
void paintPreviewPage(QPainter& painter, const seams::PrinterDescription& printer, const seams::Drawing& card,
    double dotsPerInch)
{
    const double dotsPerMillimetre = dotsPerInch / core::kMillimetresPerInch;
    const QSizeF paper = printer.paperMillimetres * dotsPerMillimetre;
    const QRect sheet(QPoint(), previewPageSize(printer, dotsPerInch));
    painter.save();
    // Nothing of the drawing shows beyond the paper's edge.
    painter.setClipRect(sheet, Qt::IntersectClip);
    painter.fillRect(sheet, Qt::white);
    const QMarginsF margins = printer.marginsMillimetres * dotsPerMillimetre;
    const QRectF printable = QRectF(QPointF(), paper).marginsRemoved(margins);
    // Through the pixels the edge passes through.
    paintDashedEdge(painter,
        QRect(QPoint(qFloor(printable.left()), qFloor(printable.top())),
            QPoint(qFloor(printable.right()), qFloor(printable.bottom()))));
    // From the printable area's top-left, one unit a twip, as the printer has it.
    painter.translate(margins.left(), margins.top());
    painter.scale(dotsPerInch / core::kTwipsPerInch, dotsPerInch / core::kTwipsPerInch);
    printing::paintDrawing(painter, card);
    painter.restore();
}

} // namespace

namespace printing {

PreviewPages::PreviewPages(CardPreview preview, double dotsPerInch, QWidget* parent)
    : QAbstractScrollArea(parent)
    , m_preview(std::move(preview))
    , m_dotsPerInch(dotsPerInch)
{
    // The pages stand on the window's own colour, their white paper set off against it.
    viewport()->setBackgroundRole(QPalette::Window);
    horizontalScrollBar()->setSingleStep(kScrollStep);
    verticalScrollBar()->setSingleStep(kScrollStep);
    updateScrollBars();
}

void PreviewPages::setDotsPerInch(double dotsPerInch)
{
    m_dotsPerInch = dotsPerInch;
    updateScrollBars();
    viewport()->update();
}

int PreviewPages::margin() const
{
    return style()->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, this);
}

int PreviewPages::spacing() const
{
    return std::max(0, style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing, nullptr, this));
}

int PreviewPages::captionHeight() const
{
    // The line of the caption's text, which a fallback font for its Japanese may make taller than a line
    // of the font itself.
    return fontMetrics().boundingRect(QRect(), Qt::AlignLeft, caption(0)).height();
}

int PreviewPages::cardHeight() const
{
    return captionHeight() + 2 * spacing() + previewPageSize(m_preview.printer, m_dotsPerInch).height();
}

QRect PreviewPages::pageRect(qsizetype card) const
{
    const qint64 top = margin() + card * cardHeight() + captionHeight() + spacing();
    return QRect(QPoint(margin(), scrollable(top)), previewPageSize(m_preview.printer, m_dotsPerInch));
}

void PreviewPages::updateScrollBars()
{
    const QSize page = previewPageSize(m_preview.printer, m_dotsPerInch);
    const int margins = 2 * margin();
    const int width = margins + page.width();
    const qint64 height = m_preview.cards.size() * cardHeight() + margins - spacing();
    const QSize view = viewport()->size();
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setRange(0, std::max(0, width - view.width()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setRange(0, scrollable(std::max<qint64>(0, height - view.height())));
}

void PreviewPages::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void PreviewPages::paintEvent(QPaintEvent* event)
{
    const QRect exposed = event->rect();
    const qint64 left = horizontalScrollBar()->value();
    const qint64 top = verticalScrollBar()->value();
    const qint64 height = cardHeight();
    const qint64 last = m_preview.cards.size() - 1;
    const qint64 first = std::clamp<qint64>((top + exposed.top() - margin()) / height, 0, last);
    const qint64 end = std::clamp<qint64>((top + exposed.bottom() - margin()) / height, first, last);
    const QSize page = previewPageSize(m_preview.printer, m_dotsPerInch);
    QPainter painter(viewport());
    // What is drawn, so that the pages draw no more of themselves than that.
    painter.setClipRect(exposed);
    for (qint64 card = first; card <= end; ++card) {
        // Where the card's caption stands in the view, which it is in, so that an int holds it.
        const QPoint captionAt(
            static_cast<int>(margin() - left), static_cast<int>(margin() + card * height - top));
        painter.drawText(QRect(captionAt, QSize(page.width(), captionHeight())),
            Qt::AlignLeft | Qt::AlignVCenter, caption(card));
        painter.save();
        painter.translate(captionAt + QPoint(0, captionHeight() + spacing()));
        paintPreviewPage(painter, m_preview.printer, m_preview.cards.at(card), m_dotsPerInch);
        painter.restore();
    }
}

PreviewWindow::PreviewWindow(printing::CardPreview preview, const QString& title, QWidget* parent)
    : QDialog(parent)
    , m_dotsPerInch(kFirstDotsPerInch)
{
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(QStringLiteral("%1 - プレビュー").arg(title));
    setModal(true);
    QLabel* summary = createSummary(preview);
    m_pages = new printing::PreviewPages(std::move(preview), m_dotsPerInch, this);
    m_pages->setObjectName(QStringLiteral("Picture1"));
    layOut(summary, createButtons());
    connectButtons();
}

QLabel* PreviewWindow::createSummary(const CardPreview& preview)
{
    const seams::PrinterDescription& printer = preview.printer;
    auto* label1 = new QLabel(QStringLiteral("カード %1 枚　プリンタ %2　用紙 %3")
                                  .arg(QString::number(preview.cards.size()), printer.name, printer.paper),
        this);
    label1->setObjectName(QStringLiteral("Label1"));
    return label1;
}

QHBoxLayout* PreviewWindow::createButtons()
{
    const auto button = [this](const char* name, const QString& caption) {
        auto* made = new QPushButton(caption, this);
        made->setObjectName(QString::fromLatin1(name));
        made->setAutoDefault(false);
        return made;
    };
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button("cmdZoomOut", QStringLiteral("縮小")));
    buttons->addWidget(button("cmdZoomIn", QStringLiteral("拡大")));
    buttons->addStretch();
    buttons->addWidget(button("cmdPrint", QStringLiteral("印刷")));
    auto* close = button("cmdClose", QStringLiteral("閉じる"));
    // Enter closes; a card is printed only by asking for it.
    close->setDefault(true);
    buttons->addWidget(close);
    return buttons;
}

void PreviewWindow::layOut(QLabel* summary, QHBoxLayout* buttons)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);
    ui::setTabOrder({m_pages, ui::buttonNamed(this, "cmdZoomOut"), ui::buttonNamed(this, "cmdZoomIn"),
        ui::buttonNamed(this, "cmdPrint"), ui::buttonNamed(this, "cmdClose")});
    // As large as designed where the screen has room; on a small screen, or a laptop's at 150 %, nine
    // tenths of its working area, which leaves room for the frame, so that the buttons stay on it.
    const QSize room = screen()->availableGeometry().size() * 9 / 10;
    resize(ui::pixelSize(13500, 10800).boundedTo(room));
}

void PreviewWindow::connectButtons()
{
    connect(ui::buttonNamed(this, "cmdZoomOut"), &QPushButton::clicked, this, [this] { zoom(0.5); });
    connect(ui::buttonNamed(this, "cmdZoomIn"), &QPushButton::clicked, this, [this] { zoom(2); });
    connect(ui::buttonNamed(this, "cmdPrint"), &QPushButton::clicked, this, [this] { done(kPrint); });
    connect(ui::buttonNamed(this, "cmdClose"), &QPushButton::clicked, this, &QDialog::reject);
}

void PreviewWindow::zoom(double factor)
{
    m_dotsPerInch = std::clamp(m_dotsPerInch * factor, kFewestDotsPerInch, kMostDotsPerInch);
    m_pages->setDotsPerInch(m_dotsPerInch);
}

} // namespace printing
