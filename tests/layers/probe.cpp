// Built only by layers.sh: a file of the game's world that includes two
// libraries the world does not link, one found only on its own include path.
#include <assimp/scene.h>
#include <ft2build.h>
