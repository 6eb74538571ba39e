#pragma once
// The controls of the monitoring window and the log dialog (form_access.h).
#include "monitor/frmLogging.h"
#include "monitor/frmMonitoring.h"
#include "support/form_access.h"

template <> struct UiOf<frmMonitoring> { using type = Ui_frmMonitoring; };
template <> struct UiOf<frmLogging> { using type = Ui_frmLogging; };
