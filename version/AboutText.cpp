#include "version/AboutText.h"

#include "support/TimeStamp.h"
#include "version/TextList.h"

namespace tonik {

AboutText ComposeAboutText(VersionInfo& info, const AboutWords& words)
{
    AboutText about;
    about.caption = words.about + info.GetInternalName();
    TextList list;
    list.Set(info.FormatVersion("%p\r\n%g V%a.%b.%c.%d\r\n").c_str());
    for (const std::string& line : {info.GetCompanyName(), info.GetLegalCopyright(), info.GetComments()}) {
        if (line.empty())
            continue;
        list.Append((line + "\r\n").c_str());
    }
    list.Append(CNTimeStamp::GetBuildTime().Format(words.builtOn.c_str()).c_str());
    about.text = list.Join();
    return about;
}

}  // namespace tonik
