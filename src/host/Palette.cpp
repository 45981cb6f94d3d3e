#include "host/Palette.h"

#include "host/Composant.h"

TTabSheet& TPageControl::AddPage() {
    pages_.push_back(std::make_unique<TTabSheet>());
    return *pages_.back();
}

std::unique_ptr<TComposant> TDllSpeedButton::CreeComposant(TCadre* cadre) const {
    if (Fabrique == nullptr)
        return nullptr;
    return Fabrique(cadre, Tag);
}
