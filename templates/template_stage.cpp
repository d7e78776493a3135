#include "templates/template_stage.h"

#include <QDir>

namespace xc {

TemplateStage::TemplateStage()
    : m_valid(m_dir.isValid() && QDir().mkpath(movieFolder()) && QDir().mkpath(pictureFolder()))
{
}

}  // namespace xc
