#include "clone/clone_error_message.h"

#include <vector>

#include "text/text_store.h"

namespace orvane {
namespace {

constexpr const char* kHeadKey = "GI_Mess_CloneErr_Head";
constexpr const char* kCheckKey = "GI_Mess_CloneErr_Check";

std::vector<int> CheckLinesOf(int code) {
    switch (code) {
        case 10:
            return {0, 2, 3};
        case 11:
        case 12:
            return {0, 1, 2, 3, 4, 5};
        case 13:
            return {6, 7};
        case 14:
            return {0, 4, 5};
        case 16:
            return {};
        default:
            return {0, 1, 2, 3};
    }
}

std::string HeadLine(int code, int comPort, TextStore& texts) {
    std::string line = texts.GetText(kHeadKey, code);
    if (code != clone_error::kPortOpen) {
        return line;
    }
    // The resource line is a format with one number, filled here without printf so that
    // no other mark in the text can be misread.
    std::size_t mark = line.find("%d");
    if (mark != std::string::npos) {
        line.replace(mark, 2, std::to_string(comPort));
    }
    return line;
}

std::string PortFailureLine(const CloneResult& result) {
    if (result.portFailure.empty()) {
        return {};
    }
    // Its own paragraph after the check list, so that it reads as part of the message.
    std::string line = "\n\n" + result.portFailure + ".";
    if (result.portFailureIsPermission) {
        line +=
            " Add your user to the 'dialout' group (sudo usermod -aG dialout $USER),"
            " then log out and in again.";
    }
    return line;
}

}  // namespace

std::string CloneErrorMessage(const CloneResult& result, int comPort, TextStore& texts) {
    const int code = result.error;
    if (code == clone_error::kOk || code < 0 || code > clone_error::kLast) {
        return {};
    }
    std::string text = HeadLine(code, comPort, texts) + "\n\n";
    bool first = true;
    for (int line : CheckLinesOf(code)) {
        text += (first ? "" : "\n") + texts.GetText(kCheckKey, line);
        first = false;
    }
    if (code == clone_error::kPortOpen) {
        text += PortFailureLine(result);
    }
    return text;
}

}  // namespace orvane
