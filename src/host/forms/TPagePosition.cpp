#include "host/forms/TPagePosition.h"

#include "host/forms/NumberEdits.h"

#include "ui_TPagePosition.h"

TPagePosition::TPagePosition(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Forms::Ui::TPagePosition>()) {
    ui_->setupUi(this);
}

TPagePosition::~TPagePosition() = default;
