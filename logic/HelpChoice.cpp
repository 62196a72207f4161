#include "HelpChoice.h"

HelpForm ChooseHelpForm(const HelpSystemFacts& facts)
{
    if (!facts.viewerFound)
        return HelpForm::Browser;
    if (facts.wine)
        return HelpForm::Viewer;
    const bool classicViewer = facts.viewerMajorVersion >= 1 && facts.viewerMajorVersion <= 5;
    return classicViewer ? HelpForm::Viewer : HelpForm::Browser;
}
