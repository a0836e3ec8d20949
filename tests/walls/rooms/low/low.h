#pragma once

struct Low {};
