// What the Resource List needs from the window around it, and from the preview window.
#pragma once

#include <QPoint>
#include <QString>

#include "resources/ResourceEntry.h"

namespace restallow {

// The buttons the pointer returns to after a command.
enum class ReturnButton { Add, Clear, Compile };

class ListHost {
public:
    virtual ~ListHost() = default;
    // Point 16, 16 of the button in screen coordinates, taken from where the button is now.
    virtual QPoint ReturnPoint(ReturnButton button) const = 0;
    virtual void SetListButtons(bool clearEnabled, bool deleteEnabled, bool scriptEnabled) = 0;
    virtual void ShowRow(int row) = 0;  // the view scrolls the row into sight
    virtual QString InputFileText() const = 0;
    // Setting the input field runs its change handling, which loads a script it names.
    virtual void SetInputFileText(const QString& text) = 0;
};

class PreviewPort {
public:
    virtual ~PreviewPort() = default;
    virtual void ShowEntry(const ResourceEntry* entry) = 0;  // none: nothing to show
    virtual void Hide() = 0;
    // The Preview box is ticked but the window is not shown.
    virtual bool HiddenWhileWanted() const = 0;
    // After a rename: the new name followed by the size text of the shown resource.
    virtual void RenameCaption(const QString& name) = 0;
};

}  // namespace restallow
