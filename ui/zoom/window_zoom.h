#pragma once
// The whole window larger, for eyes that need it: Ctrl+Plus, Ctrl+Minus and
// Ctrl+0 scale the font the layout is measured in, so displays, keys, text
// and spacing grow together, drawn anew at their size (the displays are
// vector-drawn and stay crisp; radio buttons and check boxes get larger
// indicators). 100 % is the window exactly as designed.

#include <functional>

class CHyperLink;
class QDialog;

namespace quillet {

class DialogBuilder;
class ProfileStore;
class ZoomedIndicatorStyle;

class WindowZoom {
public:
    WindowZoom(QDialog& dialog, DialogBuilder& builder, CHyperLink& link, ProfileStore& profile);

    // The stored zoom, as the window starts.
    void Restore();
    // One step larger (+1) or smaller (-1) among 100, 125, 150, 175, 200, 250
    // and 300 %, never larger than the screen, and the window moved, up or
    // left, as far as it takes to stay wholly on it; 0 goes back to 100 %. Stored.
    void Step(int direction);
    // The zoom in force: 1.0 at 100 %.
    double Factor() const { return m_percent / 100.0; }

    // Runs after each change of the zoom, with the new factor (the tape follows it).
    std::function<void(double factor)> zoomed;

private:
    void Apply(int percent);
    // Moves the shown window up and left until its frame fits the screen's room.
    void KeepOnScreen();

    QDialog& m_dialog;
    DialogBuilder& m_builder;
    CHyperLink& m_link;
    ProfileStore& m_profile;
    double m_basePointSize;
    int m_basePixelSize;
    int m_percent = 100;
    ZoomedIndicatorStyle* m_indicatorStyle = nullptr; // made on the first zoom, owned by the dialog
};

} // namespace quillet
