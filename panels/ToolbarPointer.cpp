// The toolbar's pointer and press state machine. Nothing here draws: every
// step reports the looks it changed, and Toolbar.cpp puts them on screen.
#include "Toolbar.h"

CToolbar::Hit CToolbar::HitTest(int x, int y) const
{
    if (y < ButtonTop || y > ButtonBottom)
        return {};
    int edge = 0;
    for (Button* item = first.get(); item; item = item->next.get()) {
        if (item->id == 0) {
            edge += SeparatorWidth;
            continue;
        }
        if (edge <= x && x <= edge + ButtonWidth - 1)
            return {item, edge};
        edge += ButtonWidth;
    }
    return {};
}

CToolbar::Hit CToolbar::Find(uint16_t id) const
{
    if (id == 0)
        return {};
    int edge = 0;
    for (Button* item = first.get(); item; item = item->next.get()) {
        if (item->id == id)
            return {item, edge};
        edge += item->id == 0 ? SeparatorWidth : ButtonWidth;
    }
    return {};
}

CToolbar::Redraws CToolbar::PointerMoved(int x, int y)
{
    Redraws redraws;
    Hit under = HitTest(x, y);
    // Leaving the hot button also gives up a press of it: a release elsewhere
    // must not run the command.
    if (hot && under.button != hot) {
        redraws.Add(hot, hotX, false, false);
        hot = pressed = nullptr;
        hotX = pressedX = -1;
    }
    if (under.button && under.button != hot && under.button->enabled) {
        redraws.Add(under.button, under.x, true, under.button == pressed);
        hot = under.button;
        hotX = under.x;
    }
    return redraws;
}

CToolbar::Redraws CToolbar::ButtonPressed(int x, int y)
{
    Redraws redraws;
    Hit under = HitTest(x, y);
    if (pressed && under.button != pressed) {
        redraws.Add(pressed, pressedX, false, false);
        pressed = nullptr;
        pressedX = -1;
    }
    if (under.button && under.button->enabled) {
        redraws.Add(under.button, under.x, true, true);
        pressed = under.button;
        pressedX = under.x;
    }
    return redraws;
}

uint16_t CToolbar::ButtonReleased(Redraws& redraws)
{
    if (!pressed)
        return 0;
    redraws.Add(pressed, pressedX, pressed == hot, false);
    uint16_t id = pressed->id;
    pressed = nullptr;
    pressedX = -1;
    return id;
}

CToolbar::Redraws CToolbar::HoverChecked(bool inside, int x, int y)
{
    Redraws redraws;
    if (!hot)
        return redraws;
    if (inside && HitTest(x, y).button == hot)
        return redraws;
    redraws.Add(hot, hotX, false, false);
    hot = nullptr;
    hotX = -1;
    return redraws;
}
