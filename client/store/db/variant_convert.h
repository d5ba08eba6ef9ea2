// The exam client reads fields with the conversions the network database's classes use: one set
// of rules for both.
#pragma once

#include "netdb/variant_convert.h"

using netdb::VariantToInt;
using netdb::VariantToString;
