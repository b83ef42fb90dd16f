#include "qt/font_config.h"

#include <fontconfig/fontconfig.h>

namespace tessomar::view {

namespace {

// fonts-urw-base35 installs each of its faces as OpenType and twice more as
// Type 1, and Qt may pick any of them for URW Bookman. Opening a Type 1 file
// means decrypting all of it, which costs more than the whole OpenType face;
// both draw the same letters. Leaving Type 1 out also halves the entries Qt
// reads into its font database; the window uses none of them.
constexpr char kPreferOpenType[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <selectfont>
    <rejectfont>
      <pattern>
        <patelt name="fontformat"><string>Type 1</string></patelt>
      </pattern>
    </rejectfont>
  </selectfont>
</fontconfig>
)";

bool hasFamily(FcConfig* config, const char* family) {
    FcPattern* pattern = FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, family, nullptr);
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, nullptr);
    FcFontSet* found = pattern && objects ? FcFontList(config, pattern, objects) : nullptr;
    const bool any = found && found->nfont > 0;
    if (found) FcFontSetDestroy(found);
    if (objects) FcObjectSetDestroy(objects);
    if (pattern) FcPatternDestroy(pattern);
    return any;
}

FcConfig* buildConfiguration(bool preferOpenType) {
    FcConfig* config = FcInitLoadConfig();
    if (!config) return nullptr;
    if (preferOpenType) {
        const auto* rule = reinterpret_cast<const FcChar8*>(kPreferOpenType);
        FcConfigParseAndLoadFromMemory(config, rule, FcFalse);
    }
    if (!FcConfigBuildFonts(config)) {
        FcConfigDestroy(config);
        return nullptr;
    }
    return config;
}

} // namespace

void loadFontConfiguration() {
    FcConfig* config = buildConfiguration(true);
    // A system with only the Type 1 files keeps them.
    if (config && !hasFamily(config, "URW Bookman")) {
        FcConfigDestroy(config);
        config = buildConfiguration(false);
    }
    if (!config) return;
    FcConfigSetCurrent(config); // takes its own reference
    FcConfigDestroy(config);
}

} // namespace tessomar::view
