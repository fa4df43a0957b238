#ifndef HX_C_VESK_META_DATA_ENTRY_ROOM_MESH_H
#define HX_C_VESK_META_DATA_ENTRY_ROOM_MESH_H

#include "scene/IVeskMetaDataEntry.h"

#include <vector3d.h>

#include <vector>

namespace irr
{
namespace video { class ITexture; }
}

//! The editor's description of a room built on a grid: one byte per cell, textures for the
//! cell values 1 to 20, a mode, a texture, a scalar and a vector.
class CVeskMetaDataEntryRoomMesh : public IVeskMetaDataEntry
{
public:
	enum { CELL_TEXTURE_COUNT = 20 };

	CVeskMetaDataEntryRoomMesh();
	virtual ~CVeskMetaDataEntryRoomMesh();

	virtual irr::s32 getType() const { return EVMT_ROOM_MESH; }
	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);
	virtual IVeskMetaDataEntry* clone() const;

	//! Ignored when either is below 1 or both equal the current size; otherwise a new grid of
	//! cells, all 0, replaces the old one.
	void setGridSize(irr::s32 width, irr::s32 height);
	irr::s32 getGridWidth() const { return GridWidth; }
	irr::s32 getGridHeight() const { return GridHeight; }
	//! Cells outside the grid read 0 and are not written.
	irr::u8 getCell(irr::s32 x, irr::s32 y) const;
	void setCell(irr::s32 x, irr::s32 y, irr::u8 value);

	//! Numbers 1 to 20 only; grabs the new texture and drops the old one.
	void setCellTexture(irr::s32 number, irr::video::ITexture* texture);
	irr::video::ITexture* getCellTexture(irr::s32 number) const;
	void setTexture(irr::video::ITexture* texture);
	irr::video::ITexture* getTexture() const { return Texture; }

	//! Only 0 to 2 are modes; other values are ignored.
	void setMode(irr::s32 mode);
	irr::s32 getMode() const { return Mode; }
	irr::f32 getScalar() const { return Scalar; }
	void setScalar(irr::f32 scalar) { Scalar = scalar; }
	const irr::core::vector3df& getVector() const { return Vector; }
	void setVector(const irr::core::vector3df& vector) { Vector = vector; }

private:
	bool isInGrid(irr::s32 x, irr::s32 y) const;

	irr::s32 GridWidth;
	irr::s32 GridHeight;
	std::vector<irr::u8> Cells;
	//! Index 0 is never used: cell textures are numbered from 1.
	irr::video::ITexture* CellTextures[CELL_TEXTURE_COUNT + 1];
	irr::s32 Mode;
	irr::video::ITexture* Texture;
	irr::f32 Scalar;
	irr::core::vector3df Vector;
};

#endif
