// The view window of a dialog host (control id 1000).
#pragma once

#include "toolkit/host/BkDialogViewImpl.h"

class CBkDialogView final : public CBkDialogViewImpl {};
