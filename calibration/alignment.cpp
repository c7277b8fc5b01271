#include "calibration/alignment.h"

#include "calibration/calibration_boxes.h"

#include <QRegularExpression>

namespace calibration {

std::optional<double> typedMillimetres(QStringView text)
{
    // NFKC turns full-width digits, point and signs into their ASCII forms.
    const QString plain = text.toString().normalized(QString::NormalizationForm_KC).trimmed();
    if (plain.isEmpty())
        return 0.0;
    static const QRegularExpression number(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)$)"));
    if (!number.match(plain).hasMatch())
        return std::nullopt;
    return plain.toDouble();
}

QString refusalText(const CorrectionRefusal& refusal)
{
    const QString name = settings::valueName(refusal.value);
    switch (refusal.reason) {
    case CorrectionRefusal::Reason::NotPrintable:
        return QStringLiteral(
            "この長さでは「%1」が印刷に使えない値になります。測った長さを確かめてください。")
            .arg(name);
    case CorrectionRefusal::Reason::NotForward:
        return QStringLiteral(
            "この長さでは「%1」が 0 以下になります。測った長さと向き（＋は右・下）を確かめてください。")
            .arg(name);
    }
    return {};
}

} // namespace calibration
