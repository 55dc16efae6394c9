#include "app/grid/TFindForm.h"

#include "app/ErrorHandler.h"
#include "app/FormGeometry.h"
#include "app/TMainForm.h"
#include "catalogue/SheetRanges.h"
#include "values/ValueWords.h"

#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>
#include <iterator>

namespace {

constexpr std::array<int, 3> kWidths{60, 300, 170};
const char* const kHeaders[] = {QT_TRANSLATE_NOOP("TFindForm", "編號"),
                                QT_TRANSLATE_NOOP("TFindForm", "說明"),
                                QT_TRANSLATE_NOOP("TFindForm", "頁籤")};

QTableWidgetItem* HitItem(const QString& text, bool selectable) {
    auto* item = new QTableWidgetItem(text);
    // A hit the grid cannot show is read, not picked.
    item->setFlags(selectable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags);
    return item;
}

} // namespace

TFindForm::TFindForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("FindForm");
    setFont(PixelFont("MS Sans Serif", 16));
    PlaceForm(this, 320, 220, 580, 380);

    edtFind = new QLineEdit(this);
    edtFind->setObjectName("edtFind");
    edtFind->setClearButtonEnabled(true);

    grdHits = new QTableWidget(0, int(std::size(kHeaders)), this);
    grdHits->setObjectName("grdHits");
    grdHits->verticalHeader()->hide();
    grdHits->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdHits->horizontalHeader()->setStretchLastSection(true);
    grdHits->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdHits->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdHits->setSelectionMode(QAbstractItemView::SingleSelection);
    grdHits->setWordWrap(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(edtFind);
    layout->addWidget(grdHits);

    connect(edtFind, &QLineEdit::textChanged, this,
            [this] { RunGuarded([this] { edtFindChange(); }); });
    connect(edtFind, &QLineEdit::returnPressed, this,
            [this] { RunGuarded([this] { edtFindReturnPressed(); }); });
    // itemActivated: a double-click, or Enter on the list.
    connect(grdHits, &QTableWidget::itemActivated, this, [this](QTableWidgetItem* item) {
        RunGuarded([this, item] { grdHitsActivated(item->row()); });
    });
    RetranslateUi();
}

void TFindForm::RetranslateUi() {
    setWindowTitle(tr("搜尋參數"));
    edtFind->setAccessibleName(tr("搜尋"));
    edtFind->setPlaceholderText(tr("編號或說明，例如 Pn100、編碼器、gain"));
    QStringList headers;
    for (const char* header : kHeaders)
        headers << tr(header);
    SetColumnTitles(grdHits, headers, kWidths.data());
    // The hits' descriptions and tabs in the language chosen.
    edtFindChange();
}

void TFindForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    QWidget::changeEvent(event);
}

void TFindForm::edtFindChange() {
    hits_ = FindParameters(edtFind->text());
    grdHits->setRowCount(int(hits_.size()));
    for (int row = 0; row < int(hits_.size()); ++row) {
        const SearchHit& hit = hits_[size_t(row)];
        grdHits->setItem(row, 0, HitItem(PnName(hit.number), hit.selectable));
        // As the grid shows it, the other language's words in the tooltip.
        const bool english = CurrentLanguage() == Language::English;
        QTableWidgetItem* description =
            HitItem(english ? DescriptionOf(hit.number, Language::English) : hit.description,
                    hit.selectable);
        description->setToolTip(english ? hit.description : hit.gloss);
        grdHits->setItem(row, 1, description);
        grdHits->setItem(row, 2, HitItem(SheetTextOf(hit, CurrentLanguage()), hit.selectable));
    }
}

void TFindForm::edtFindReturnPressed() {
    for (int row = 0; row < int(hits_.size()); ++row) {
        if (hits_[size_t(row)].selectable) {
            grdHitsActivated(row);
            return;
        }
    }
}

void TFindForm::grdHitsActivated(int row) {
    if (row < 0 || row >= int(hits_.size()) || !hits_[size_t(row)].selectable)
        return;
    grdHits->selectRow(row);
    MainForm->ShowParameter(hits_[size_t(row)].number);
}
