// Included by every folder.
#pragma once
