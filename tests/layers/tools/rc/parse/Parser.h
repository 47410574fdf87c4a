// A compiler header that uses Qt: the layer check must refuse it.
#pragma once
#include <QString>
