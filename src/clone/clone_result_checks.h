#pragma once
// The clone commands' judgement of a transport result: is the radio one of ours, and is
// a received image one of ours. Each acts only on a result of its own kind that has no
// error yet.

#include "clone/clone_result.h"
#include "image/radio_identity.h"

namespace orvane {

// The family code must be ours (else 11), the model version 1, 4 or 5 - or 4 or 8 in
// adjust mode - (else 14), and the identity exactly 27 bytes (else 11). When all hold,
// `identity` takes the 27 bytes.
void JudgeInformationResult(CloneResult& result, bool adjustMode, RadioIdentity& identity);

// A received image must carry the model digits (else 15).
void JudgeReadResult(CloneResult& result);

}  // namespace orvane
