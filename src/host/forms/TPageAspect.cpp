#include "host/forms/TPageAspect.h"

#include "host/forms/NumberEdits.h"

// The generated form declares a namespace Ui, which the user-interface service's Ui() also
// names: it is renamed here.
#define Ui UiPageAspect
#include "ui_TPageAspect.h"
#undef Ui

TPageAspect::TPageAspect(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<UiPageAspect::TPageAspect>()) {
    ui_->setupUi(this);
    gbPosition = ui_->gbPosition;
    edOrgX = ui_->edOrgX;
    edOrgY = ui_->edOrgY;
    edSizeX = ui_->edSizeX;
    edSizeY = ui_->edSizeY;
    gbOptions = ui_->gbOptions;
    chkDetachable = ui_->chkDetachable;
    chkActif = ui_->chkActif;
}

TPageAspect::~TPageAspect() = default;
