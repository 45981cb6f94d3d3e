// The host's component palette as the package fills it: pages of controls, among them the
// speed buttons that create components. Plain objects; the editor shows them with widgets.
#pragma once

#include "platform/Picture.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

class TCadre;
class TComposant;

// A control on a palette page; positions and sizes in pixels.
class TControl {
public:
    virtual ~TControl() = default;

    int Left = 0;
    int Top = 0;
    int Width = 23; // a speed button's width in the class library
    int Height = 22;
    int Tag = 0;
    std::string Hint;
    bool ShowHint = false;
    std::string Caption;
};

// One palette page: a caption and the controls it owns, in the order they were added.
class TTabSheet {
public:
    std::string Caption;

    // Adds a control, owned by the page from then on, and returns it.
    template <class Control> Control& AddControl(std::unique_ptr<Control> control) {
        Control& added = *control;
        controls_.push_back(std::move(control));
        return added;
    }
    int ControlCount() const { return int(controls_.size()); }
    TControl& Controls(int i) const { return *controls_[std::size_t(i)]; }

private:
    std::vector<std::unique_ptr<TControl>> controls_;
};

// The palette: its pages in order, owned.
class TPageControl {
public:
    // Adds an empty page at the end and returns it.
    TTabSheet& AddPage();
    int PageCount() const { return int(pages_.size()); }
    TTabSheet& Pages(int i) const { return *pages_[std::size_t(i)]; }

private:
    std::vector<std::unique_ptr<TTabSheet>> pages_;
};

// A palette button that creates components: the host calls its factory with the button's Tag
// when the user draws a new component with it.
class TDllSpeedButton : public TControl {
public:
    using TFabrique = std::unique_ptr<TComposant> (*)(TCadre* cadre, int index);

    bool Flat = false;
    bool AllowAllUp = false;
    int GroupIndex = 0;
    TPicture Glyph;
    std::string NomComposant; // the component kind's name
    TFabrique Fabrique = nullptr;

    // A new component from the factory with this button's Tag; null without a factory.
    std::unique_ptr<TComposant> CreeComposant(TCadre* cadre) const;
};
