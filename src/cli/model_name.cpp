#include "cli/model_name.h"

#include <sstream>

#include "text/text_store.h"

namespace orvane::cli {

std::string ModelName(int modelType, TextStore& texts) {
    std::istringstream names(texts.GetMultiLineText("GI_AppInd_Model"));
    std::string line;
    for (int index = 0; std::getline(names, line); ++index) {
        if (index == modelType) {
            if (line.find_first_not_of(" \t") != std::string::npos) {
                return line;
            }
            break;
        }
    }
    return "model type " + std::to_string(modelType);
}

}  // namespace orvane::cli
