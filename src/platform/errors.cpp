#include "platform/errors.h"
