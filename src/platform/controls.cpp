#include "platform/form.h"
