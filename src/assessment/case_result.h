#pragma once
// The figures of one case as the results window shows them: for the chosen
// building part, class or group, the characterised values of every stage,
// normalised and weighted, with their total and the single score.
#include <array>
#include <optional>

#include "common/assessment_state.h"
#include "common/result_records.h"
#include "common/value_types.h"

namespace assessment {

// List indexes of the results window's choices; -1 = nothing chosen.
struct CaseChoice {
  int SelCase = -1;     // 0 reference, 1 alternative, 2 current
  int SelPortion = -1;  // 0 whole building, 1 foundations, 2 floors, 3 services
  int SelClass = -1;    // the part's class list; the last entry is the group entry
  int SelGroup = -1;
  int SelStage = -1;  // 0 whole life cycle, 1..4 the stages
};

// The class list index of the group entry ("Select ........") of a part;
// -1 for the whole building, which has no classes.
int GroupEntryClass(int portion);

// The single score of one stage: cost x the cost weight / (electricity
// price x 277778 kWh per TJ) + the weighted total, formed in extended
// precision and stored as a Single. Not available (nullopt) when the
// electricity price in use is 0 or the score lies beyond the Single range.
std::optional<common::Single> StageScore(common::Single cost, common::Single weightedTotal,
                                         const common::FactorTables& factors);

// Normalises and weights the characterised values of one stage
// (categories 1..10), each stored as a Single in turn; weighted[0] becomes
// their total, summed in category order, and normalised[0] 0.
void WeighStage(const std::array<common::Single, 11>& characterised, const common::FactorTables& factors,
                std::array<common::Single, 11>& normalised, std::array<common::Single, 11>& weighted);

// The score of each stage and whether it could be formed.
struct StageScores {
  std::array<common::Single, 5> value{};  // 0 where not available
  std::array<bool, 5> available{};
};

// Fills `shown` (all three value kinds, energy, waste and cost of every
// stage; the part captions are left alone) and `scores` from the results of
// the chosen part, class or group. Returns false, changing nothing, when the
// choice names no source: no part, a part without a class, the group entry
// without a group, or a group beyond the lists.
bool ComputeShownResult(const common::LCAResultRec& lca, const common::GroupResultRec& groups, const CaseChoice& choice,
                        const common::FactorTables& factors, common::CaseResultRec& shown, StageScores& scores);

}  // namespace assessment
