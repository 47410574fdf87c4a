// A language table that uses Qt: the layer check must refuse it.
#include <QString>
