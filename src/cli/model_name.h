#pragma once
// How the command-line verbs name a model type: the line of the model name block, or
// "model type N" for a type that block leaves unnamed.

#include <string>

namespace orvane {
class TextStore;
}

namespace orvane::cli {

std::string ModelName(int modelType, TextStore& texts);

}  // namespace orvane::cli
