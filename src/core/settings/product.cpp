#include "core/settings/product.h"

// Set for this file alone by the build, so that filling them in rebuilds one file.
#ifndef DORVANE_WEBSITE
#define DORVANE_WEBSITE ""
#endif
#ifndef DORVANE_SUPPORT_EMAIL
#define DORVANE_SUPPORT_EMAIL ""
#endif

const char* Product::website() {
    return DORVANE_WEBSITE;
}

const char* Product::supportEmail() {
    return DORVANE_SUPPORT_EMAIL;
}
