#include "render/textureCombine.h"

#include <GL/gl.h>

namespace
{

//! The engine selects texture units itself; leave the one it had active.
class CActiveUnitZero
{
public:
	CActiveUnitZero()
	{
		glGetIntegerv(GL_ACTIVE_TEXTURE, &Previous);
		glActiveTexture(GL_TEXTURE0);
	}
	~CActiveUnitZero() { glActiveTexture(GLenum(Previous)); }

private:
	GLint Previous;
};

} // end anonymous namespace

void setTextureCombineScale(float rgbScale)
{
	CActiveUnitZero unitZero;
	glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
	glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB, GL_MODULATE);
	glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_RGB, GL_TEXTURE);
	glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_RGB, GL_SRC_COLOR);
	glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE1_RGB, GL_PRIMARY_COLOR);
	glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND1_RGB, GL_SRC_COLOR);
	glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_ALPHA, GL_MODULATE);
	glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_ALPHA, GL_TEXTURE);
	glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_ALPHA, GL_SRC_ALPHA);
	glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE1_ALPHA, GL_PRIMARY_COLOR);
	glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND1_ALPHA, GL_SRC_ALPHA);
	glTexEnvf(GL_TEXTURE_ENV, GL_RGB_SCALE, rgbScale);
}

void resetTextureCombine()
{
	CActiveUnitZero unitZero;
	glTexEnvf(GL_TEXTURE_ENV, GL_RGB_SCALE, 1.f);
	glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}
