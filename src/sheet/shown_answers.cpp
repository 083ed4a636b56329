#include "sheet/shown_answers.h"

#include "sheet/cell_request.h"
#include "sheet/sheet_cell.h"

namespace orvane {

ShownAnswer ShownAnswer::Of(const CellRequest& answer, const std::string& drawnText,
                            const SheetCell& cell) {
    return ShownAnswer{drawnText,
                       answer.textColour,
                       answer.flags & (CellRequest::kWarning | CellRequest::kError),
                       answer.markPosition,
                       answer.fillColour,
                       answer.fillTenths,
                       cell.layout};
}

std::uint64_t ShownAnswers::Key(int column, int row) {
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(row)) << 32 |
           static_cast<std::uint32_t>(column);
}

void ShownAnswers::Record(int column, int row, ShownAnswer answer) {
    answers_.insert_or_assign(Key(column, row), std::move(answer));
}

void ShownAnswers::Forget(int column, int row) { answers_.erase(Key(column, row)); }

bool ShownAnswers::Shows(int column, int row, const ShownAnswer& answer) const {
    const auto shown = answers_.find(Key(column, row));
    return shown != answers_.end() && shown->second == answer;
}

}  // namespace orvane
