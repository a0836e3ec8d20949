#pragma once

#include "low/low.h"

struct Above : Low {};
