// Files are above the model: a file routine sees the design.
#include "model/CarDesign.h"
