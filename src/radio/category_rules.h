#pragma once
// What a cell's category decides before its identifier is looked at: rows of a channel
// sheet past the bank's end or holding a blank channel only take keys in their
// frequency cell, and a transmit frequency that cannot differ from the receive one is
// entered through the receive cell. Each returns true when it redirected the request.

namespace orvane {

struct CellEvaluation;

bool ApplyChannelRowRules(CellEvaluation& evaluation);
bool ApplyHomeRules(CellEvaluation& evaluation);

}  // namespace orvane
