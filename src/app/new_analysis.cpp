#include "app/new_analysis.h"

#include "app/input_fields.h"

namespace wattora {

void ResetRecordForNewAnalysis(MainWindowState& state, ApplicationKind kind) {
  AnalysisRecord& record = state.record;
  state.form.SetChecked("HORIZ", true);
  record.Modified = false;
  record.Application = kind;
  record.CurrentFileName.clear();
  record.ClearCustomerFields();
  state.form.SetText("QNUM1", state.form.Text("QNUM"));
  record.ClearCostNames();
  RebuildParameterTable(state);
  FillFieldsFromDefaults(state, FieldGroup::NewAnalysis);
  if (kind == ApplicationKind::Pump) record.RestrictComparisonToPump();
}

}  // namespace wattora
