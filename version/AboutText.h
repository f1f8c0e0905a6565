// The About box's caption and text, composed from version information.
#pragma once

#include <string>

#include "version/VersionInfo.h"

namespace tonik {

struct AboutText {
    std::string caption;
    std::string text;
};

// The words around the version data, English unless translated.
struct AboutWords {
    std::string about = "About ";                           // before InternalName
    std::string builtOn = "Built on %Y-%b-%d %H:%M:%S";  // a CNTimeStamp format
};

// words.about + InternalName; the product name, the build kind and product
// version, the company, copyright and comment lines that are not empty, and
// the build time. Lines end in "\r\n"; the text never ends in a line break.
AboutText ComposeAboutText(VersionInfo& info, const AboutWords& words = {});

}  // namespace tonik
