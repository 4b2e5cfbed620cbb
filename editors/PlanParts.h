#pragma once
// Parts the channel plan dialogs share: the list of plans on offer, the note
// on the user's plan files that were refused, and the "now / after" table
// that shows what OK will change.

#include "PlanFiles.h"

#include <QStringList>

class QComboBox;
class QLabel;
class QTableWidget;
class QWidget;

namespace orvantis {

// The plans as list items ("eu-uhf: Europe UHF (Geneva 2006 plan), 21-69"),
// each item's data its id; the item chosen before stays chosen if it is still there.
void FillPlanList(QComboBox* list, const TPlanCatalogue& catalogue);
// "Not offered: broken.csv: Row 3, column ..."; empty when none was refused.
QString RefusedPlansText(const TPlanCatalogue& catalogue);

// A read-only table named name with these column captions.
QTableWidget* MakePreviewTable(QWidget* parent, const QString& name, const QStringList& captions);
// One row: its key cells, then what it holds now, then what it will hold
// after OK, each "after" cell bold where it differs from its "now" cell.
void SetPreviewRow(QTableWidget* table, int row, const QStringList& keys, const QStringList& now,
                   const QStringList& after);
// The label that says why OK cannot be pressed, in red.
QLabel* MakeProblemLabel(QWidget* parent);

}  // namespace orvantis
