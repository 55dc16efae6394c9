#include "report/ReportPdf.h"

#include "core/TarnError.h"
#include "report/PdfPages.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPdfWriter>

namespace {
constexpr int kResolution = 600; // dots per inch of the layout
constexpr qreal kMarginMm = 12;
} // namespace

QString ReportFontFamily() {
    const QStringList families = QFontDatabase::families();
    for (const QString& wanted :
         {QStringLiteral("Noto Sans CJK TC"), QStringLiteral("CJK TC"), QStringLiteral("CJK")}) {
        for (const QString& family : families) {
            if (family.contains(wanted, Qt::CaseInsensitive) &&
                !family.contains(QLatin1String("Mono"), Qt::CaseInsensitive))
                return family;
        }
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QByteArray ReportPdfBytes(const ReportModel& model) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        throw EToolkitError(
            QStringLiteral("A PDF report needs a QGuiApplication "
                           "(QT_QPA_PLATFORM=offscreen runs one without a display)"));
    PdfTextMap printed;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                         QPageLayout::Millimeter));
        writer.setTitle(model.head.title);
        writer.setCreator(model.head.version);
        PdfPages pages(writer, model, printed);
        pages.Paint(pages.Count());
    } // the writer finishes the file when it goes
    return printed.Fix(buffer.data());
}
