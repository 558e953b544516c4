#include "platform/RtfCodec.h"
