#pragma once
// Whether this system can show the .hlp help, or the game opens the HTML
// help in the default browser instead. Plain logic over what the shell has
// found out about the system, so that every case can be tried anywhere.

enum class HelpForm { Viewer, Browser };

struct HelpSystemFacts {
    bool wine = false;  // Wine ships a working viewer, whatever version it reports
    bool viewerFound = false;  // winhlp32.exe is where the system would start it from
    unsigned viewerMajorVersion = 0;  // from its version resource; 0 when it has none
};

// The viewer only where it surely works: under Wine, or where the system's
// winhlp32.exe is the classic viewer, whose file version is 5 or lower. From
// Vista on, Windows puts a stand-in of its own version (6 and up) there that
// only says such help is not supported, unless the classic viewer has been
// installed over it. Everything else, unknown cases included, gets the
// browser, which shows the HTML help on any system.
HelpForm ChooseHelpForm(const HelpSystemFacts& facts);
