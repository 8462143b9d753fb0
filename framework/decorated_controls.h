// Labels, edit fields and link labels of a form with their texts, colours, tooltips and
// choosers, and what they do while the mask is active.
#pragma once

#include <string>
#include <vector>

#include "framework/choosers.h"
#include "platform/ui/dialog.h"

namespace framework {

using ui::ControlId;

inline constexpr ui::Colorref kBackground = 0xFFCC9B;
inline constexpr ui::Colorref kMandatoryText = 0x0000FF;
inline constexpr ui::Colorref kOptionalText = 0x010000;
inline constexpr ui::Colorref kOptionalLink = 0xFF0000;
inline constexpr ui::Colorref kVisitedLink = 0x0000FF;

// What a field opens on F1, a double-click or a click on its link label.
struct ChooserSpec {
    enum class Kind { None, Encoder, Date } kind = Kind::None;
    const char* encoderKey = "";  // e.g. "ENCODER_CURRENCY"
    int dateKind = 0;
    // An encoder choice that fills two fields: the first and the second text.
    bool twoTarget = false;
    ControlId firstTarget = 0;
    ControlId secondTarget = 0;

    static ChooserSpec encoder(const char* key) { return {Kind::Encoder, key}; }
    static ChooserSpec date(int kind = 0) { return {Kind::Date, "", kind}; }
};

class DecoratedControls {
  public:
    DecoratedControls(ui::Dialog& form, Choosers& choosers) : form_(form), choosers_(choosers) {}

    void setupLabel(ControlId id, const char* labelKey, const char* tooltipKey, bool mandatory);
    // Re-applies the label style (font and colours) of a mandatory or optional label.
    void setLabelStyle(ControlId id, bool mandatory);
    // The mandatory or optional style of a link label (its colour) or else of a label.
    void setMandatory(ControlId id, bool mandatory);
    // A new tooltip for a control: the string of key. An edit's status-line text follows it,
    // at once when the edit has the focus.
    void setTooltip(ControlId id, const char* key);
    void setupEdit(ControlId id, const char* tooltipKey, int maxLength, ChooserSpec chooser = {});
    void setupLink(ControlId id, ControlId edit, const char* labelKey, const char* tooltipKey,
                   bool mandatory, ChooserSpec chooser);
    // Turns the link labels set up so far into links (once per link).
    void activateLinks();

    // Behaviour; each answers true when the control was one of ours and acted.
    bool onCommand(ControlId id, ui::Notify code);
    bool onControlKey(ControlId id, ui::Key key);
    std::optional<ui::Paint> paint(ControlId id) const;

    // Opens the chooser of an edit field (F1, double-click).
    void openChooser(ControlId edit);

  private:
    struct Label {
        ControlId id;
        bool mandatory;
    };
    struct Edit {
        ControlId id;
        std::string tooltip;
        ChooserSpec chooser;
    };
    struct Link {
        ControlId id;
        ControlId edit;
        bool mandatory;
        bool visited = false;
        bool active = false;
        ChooserSpec chooser;
    };

    const Edit* findEdit(ControlId id) const;
    Edit* findEdit(ControlId id);
    Link* findLink(ControlId id);
    const Label* findLabel(ControlId id) const;
    void runChooser(ControlId edit, const ChooserSpec& chooser);
    void clickLink(Link& link);

    ui::Dialog& form_;
    Choosers& choosers_;
    std::vector<Label> labels_;
    std::vector<Edit> edits_;
    std::vector<Link> links_;
};

}  // namespace framework
