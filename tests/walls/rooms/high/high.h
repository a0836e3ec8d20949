// SPDX-License-Identifier: MIT
#pragma once

struct High {};
