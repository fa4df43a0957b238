#ifndef HX_DEMO_WALKING_CAMERA_H
#define HX_DEMO_WALKING_CAMERA_H

class CVeskSerializer;

//! The courtyard's active camera, walking with mouse and keys, and a white square to the
//! left of the view to walk toward. Written as child records of the scene's root.
void writeCourtyardWalkingCamera(CVeskSerializer* writer);

//! The gallery's active camera, orbiting a white square while the left button is held.
void writeGalleryOrbitingCamera(CVeskSerializer* writer);

#endif
