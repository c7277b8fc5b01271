// The preview of the cards a print run would print now: one page a card on the printer's paper, the
// printable area marked, each card's grid outlined under its marks. It can hand over to the print run
// itself, and never prints otherwise.
#pragma once

#include "printing/card_preview.h"

#include <QAbstractScrollArea>
#include <QDialog>

class QHBoxLayout;
class QLabel;

namespace printing {

// The pages of the cards one under the other, each under its caption "N 枚目", at a zoom in dots per
// inch. Only the pages in view are drawn, straight onto the screen, and nothing of them is kept, so that
// neither the number of cards nor the zoom adds memory.
class PreviewPages final : public QAbstractScrollArea {
    Q_OBJECT

public:
    PreviewPages(CardPreview preview, double dotsPerInch, QWidget* parent);

    void setDotsPerInch(double dotsPerInch);
    qsizetype pageCount() const { return m_preview.cards.size(); }
    // Where the page of a card (counted from 0) lies on the whole column of pages, whose top-left is the
    // view's when it is scrolled to the start.
    QRect pageRect(qsizetype card) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int margin() const;
    int spacing() const;
    int captionHeight() const;
    // From the top of one card's caption to the next one's.
    int cardHeight() const;
    void updateScrollBars();

    CardPreview m_preview;
    double m_dotsPerInch;
};

class PreviewWindow final : public QDialog {
    Q_OBJECT

public:
    // The result when the user asks for the cards to be printed.
    static constexpr int kPrint = QDialog::Accepted + 1;

    PreviewWindow(printing::CardPreview preview, const QString& title, QWidget* parent);

private:
    QLabel* createSummary(const CardPreview& preview);
    QHBoxLayout* createButtons();
    void layOut(QLabel* summary, QHBoxLayout* buttons);
    void connectButtons();
    void zoom(double factor);

    double m_dotsPerInch;
    printing::PreviewPages* m_pages = nullptr;
};

} // namespace printing
