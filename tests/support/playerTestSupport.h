#ifndef HX_PLAYER_TEST_SUPPORT_H
#define HX_PLAYER_TEST_SUPPORT_H

#include <functional>
#include <string>

class CPlayer;
class CVesk3DScene;

namespace hxtest
{

class TempFolder;

//! A published executable in folder with two camera-less 3D scenes "Hall" (the start scene) and
//! "Yard", titled "Control Test", that asks for the null driver. furnishHall (may be empty)
//! adds nodes to the hall before it is written. Answers its path.
std::string publishTwoScenes(const TempFolder& folder, const std::function<void(CVesk3DScene*)>& furnishHall = nullptr);

//! A player over the published executable at path.
CPlayer* startPlayer(const std::string& path, bool debug, const char* scriptPath = 0);

} // end namespace hxtest

#endif
