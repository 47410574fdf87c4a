// Header data compiled in as text, not as code: the layer check leaves it alone.
#include <QtData>
