// The stage at the bottom, using nothing: the layer check lets it pass.
#pragma once
