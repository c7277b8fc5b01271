// The preview of the cards a print run would print now: one page a card on the printer's paper, the
// printable area marked, each card's grid outlined under its marks. It can hand over to the print run
// itself, and never prints otherwise.
#pragma once

#include "cards/card_preview.h"

#include <QDialog>

class QLabel;
class QVBoxLayout;

class frmPreview final : public QDialog {
    Q_OBJECT

public:
    // The result when the user asks for the cards to be printed.
    static constexpr int kPrint = QDialog::Accepted + 1;

    frmPreview(cards::CardPreview preview, const QString& title, QWidget* parent);

private:
    void zoom(double factor);
    void showPages();

    cards::CardPreview m_preview;
    double m_dotsPerInch;
    QVBoxLayout* m_pages = nullptr;
};

namespace cards {

// The page of a card as the preview shows it, at the resolution given: the paper, the printable area's
// edge, and the drawing from the printable area's top-left.
QImage previewPage(const PrinterDescription& printer, const Drawing& card, double dotsPerInch);

} // namespace cards
