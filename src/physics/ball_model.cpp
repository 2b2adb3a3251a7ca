#include "physics/ball_model.h"

#include <cmath>

#include "physics/constants.h"

constinit unsigned int ballTexture = 0;

void BallModel::build(int n, const unsigned int& textureName)
{
    if (n <= 0) return;
    texture = &textureName;
    for (int i = 0; i < n; ++i) {
        float degrees = static_cast<float>(i) * (360.0f / static_cast<float>(n));
        double radians = static_cast<double>(degrees) * kDegreesToRadians;
        float c = static_cast<float>(std::cos(radians));
        float s = static_cast<float>(std::sin(radians));
        vertices.emplace_back(c, s);
        texCoords.emplace_back(0.5f * c + 0.5f, 0.5f * s + 0.5f);
    }
    for (int i = 1; i < n - 1; ++i) {
        Polygon& p = polygons.emplace_back();
        p.vertexIndex[0] = 0;
        p.vertexIndex[1] = i;
        p.vertexIndex[2] = i + 1;
        p.texCoordIndex[0] = 0;
        p.texCoordIndex[1] = i;
        p.texCoordIndex[2] = i + 1;
    }
}
