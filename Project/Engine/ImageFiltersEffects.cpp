#include "ImageFilters.h"
