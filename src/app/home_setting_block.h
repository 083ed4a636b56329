#pragma once
// Besides the settings in use, the radio keeps a home-setting block: the home settings,
// the home record and the first current settings as they return when the user recalls
// the home settings on the radio. A saved file and a write carry that block matching the
// settings in use; a read may take the radio's block as the settings in use instead.

namespace orvane {

class EepromImage;

// The current-setting blocks are duplicated into the home-setting block.
void CopyCurrentSettingsToHomeBlock(EepromImage& image);
// The home-setting block replaces the current-setting blocks.
void CopyHomeBlockToCurrentSettings(EepromImage& image);

}  // namespace orvane
