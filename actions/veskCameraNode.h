#ifndef HX_VESK_CAMERA_NODE_H
#define HX_VESK_CAMERA_NODE_H

namespace irr
{
namespace scene
{
class ICameraSceneNode;
class ISceneNode;
}
}

//! The node as a camera when it is the engine's camera or the program's, else null.
irr::scene::ICameraSceneNode* asCameraNode(irr::scene::ISceneNode* node);

#endif
