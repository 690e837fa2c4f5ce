<?xml version="1.0" encoding="UTF-8"?>
<!-- The news page of "Sortie BD" (data/quilloryNew.xml): the releases of an
     RSS feed, or the problem when the download failed
     (<error><type>...</type><detail>...</detail></error>). XSLT 1.0.
     The feed comes from a server the user does not control: its texts are
     shown as text, its descriptions through the program's safe-markup
     (paragraphs, emphasis, lists, links and pictures only), its addresses
     only when they are http or https, and the page's policy forbids
     scripts, frames, forms, objects, fonts, style sheets but its own and
     anything that is not a web picture. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
                xmlns:quillory="urn:quillory:xslt" exclude-result-prefixes="quillory">
  <xsl:output method="html" encoding="UTF-8" indent="yes"/>

  <xsl:template name="page">
    <xsl:param name="titre"/>
    <xsl:param name="contenu"/>
    <html lang="fr">
      <head>
        <meta http-equiv="Content-Security-Policy"
              content="default-src 'none'; img-src http: https:; style-src 'unsafe-inline'; form-action 'none'; base-uri 'none'"/>
        <title><xsl:value-of select="$titre"/></title>
        <style type="text/css">
          body { font-family: "DejaVu Sans", Verdana, Arial, sans-serif; margin: 0; background: #f4f1ea; color: #2b2b2b; font-size: 13px; }
          header { background: #7a2e1d; color: #fff; padding: 10px 16px; }
          header h1 { margin: 0; font-size: 18px; }
          header p { margin: 4px 0 0 0; font-size: 12px; opacity: 0.85; }
          .sortie { background: #fff; margin: 10px 12px; padding: 8px 12px; border-radius: 5px; box-shadow: 0 1px 2px rgba(0,0,0,0.15); overflow: hidden; }
          .sortie h2 { font-size: 14px; margin: 0 0 4px 0; }
          .sortie h2 a { color: #7a2e1d; text-decoration: none; }
          .sortie .date { color: #777; font-size: 11px; }
          .sortie img { float: left; max-width: 90px; margin: 0 10px 4px 0; }
          .erreur { margin: 24px 16px; padding: 14px 16px; background: #fff3f0; border: 1px solid #d9a89b; border-radius: 5px; }
          .erreur h2 { margin: 0 0 8px 0; font-size: 15px; color: #a3301a; }
          .erreur .detail { color: #777; font-size: 11px; margin-bottom: 0; }
          .vide { margin: 16px; font-style: italic; }
        </style>
      </head>
      <body>
        <xsl:copy-of select="$contenu"/>
      </body>
    </html>
  </xsl:template>

  <!-- Whether an address may be shown: http or https. -->
  <xsl:template name="web">
    <xsl:param name="adresse"/>
    <xsl:variable name="debut" select="translate(substring(normalize-space($adresse), 1, 8), 'HTPS', 'htps')"/>
    <xsl:if test="starts-with($debut, 'http://') or starts-with($debut, 'https://')">
      <xsl:value-of select="normalize-space($adresse)"/>
    </xsl:if>
  </xsl:template>

  <xsl:template match="/rss">
    <xsl:call-template name="page">
      <xsl:with-param name="titre" select="channel/title"/>
      <xsl:with-param name="contenu">
        <header>
          <h1>Sorties BD</h1>
          <p><xsl:value-of select="channel/title"/></p>
        </header>
        <xsl:if test="not(channel/item)">
          <p class="vide">Aucune sortie annoncée pour le moment.</p>
        </xsl:if>
        <xsl:for-each select="channel/item">
          <xsl:variable name="image">
            <xsl:call-template name="web">
              <xsl:with-param name="adresse" select="enclosure[starts-with(@type, 'image')][1]/@url"/>
            </xsl:call-template>
          </xsl:variable>
          <xsl:variable name="lien">
            <xsl:call-template name="web">
              <xsl:with-param name="adresse" select="link"/>
            </xsl:call-template>
          </xsl:variable>
          <div class="sortie">
            <xsl:if test="string($image)">
              <img src="{$image}" alt=""/>
            </xsl:if>
            <h2>
              <xsl:choose>
                <xsl:when test="string($lien)"><a href="{$lien}"><xsl:value-of select="title"/></a></xsl:when>
                <xsl:otherwise><xsl:value-of select="title"/></xsl:otherwise>
              </xsl:choose>
            </h2>
            <xsl:if test="pubDate"><div class="date"><xsl:value-of select="pubDate"/></div></xsl:if>
            <div class="description">
              <xsl:choose>
                <xsl:when test="function-available('quillory:safe-markup')">
                  <xsl:copy-of select="quillory:safe-markup(description)"/>
                </xsl:when>
                <xsl:otherwise><xsl:value-of select="description"/></xsl:otherwise>
              </xsl:choose>
            </div>
          </div>
        </xsl:for-each>
      </xsl:with-param>
    </xsl:call-template>
  </xsl:template>

  <xsl:template match="/error">
    <xsl:call-template name="page">
      <xsl:with-param name="titre">Sorties BD</xsl:with-param>
      <xsl:with-param name="contenu">
        <header><h1>Sorties BD</h1></header>
        <div class="erreur">
          <h2>Les sorties n'ont pas pu être téléchargées</h2>
          <p><xsl:value-of select="type"/></p>
          <xsl:if test="string(detail)">
            <p class="detail">Détail : <xsl:value-of select="detail"/></p>
          </xsl:if>
        </div>
      </xsl:with-param>
    </xsl:call-template>
  </xsl:template>

  <!-- Anything else: say so rather than show a blank page. -->
  <xsl:template match="/*" priority="-1">
    <xsl:call-template name="page">
      <xsl:with-param name="titre">Sorties BD</xsl:with-param>
      <xsl:with-param name="contenu">
        <header><h1>Sorties BD</h1></header>
        <p class="vide">Le flux reçu n'est pas un flux RSS.</p>
      </xsl:with-param>
    </xsl:call-template>
  </xsl:template>
</xsl:stylesheet>
