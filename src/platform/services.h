#pragma once
// The platform services in one include.
#include "platform/app_info.h"
#include "platform/clipboard.h"
#include "platform/file_association.h"
#include "platform/files.h"
#include "platform/number_locale.h"
#include "platform/settings_file.h"
#include "platform/shell_open.h"
#include "platform/single_instance.h"
#include "platform/user_feedback.h"
