#pragma once
// What a value entry did with a request: whether the value changed and must be stored,
// and what the caller is to open.

namespace orvane {

struct EntryResult {
    static constexpr int kOpenNothing = 0;
    static constexpr int kOpenedPopup = 1;  // a choice popup or dialog was opened
    static constexpr int kOpenEditor = 2;   // open the in-place editor with request.text

    bool changed = false;
    int open = kOpenNothing;
};

}  // namespace orvane
